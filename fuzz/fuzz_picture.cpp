// The picture loader over arbitrary bytes, as the lookup uses it: a picture it accepts is
// exactly the size asked for and goes into a slot.
//
// Every accepted picture is decoded twice, under two different heap fills (glibc's
// M_PERTURB, as MALLOC_PERTURB_ sets it, fills every block malloc hands out and every
// block freed), and must give the same pixels both times: a pixel the decoder never
// wrote would show the fill. Under AddressSanitizer, whose malloc ignores M_PERTURB, a
// malloc hook of the sanitizer's allocator fills each new block instead.
//
// Input: two bytes giving the expected width and height (1 to 128 and 1 to 128), then the
// file.
#include "core/failure.h"
#include "fuzz_check.h"
#include "lookup/decomposition_picture.h"
#include "lookup/picture_surface.h"
#include "memory_file.h"

#include <cstdint>
#include <malloc.h>

using namespace zilvaro;

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#include <cstring>
#include <sanitizer/allocator_interface.h>
#define ZILVARO_SANITIZER_HEAP 1
#endif
#endif

namespace {
#ifdef ZILVARO_SANITIZER_HEAP
int heapFill = 0;
void fillNewBlock(const volatile void* block, std::size_t size) {
    if (heapFill != 0) {
        std::memset(const_cast<void*>(block), heapFill, size);
    }
}
void onFree(const volatile void*) {}
// The sanitizer takes both hooks or none.
const int hooked = __sanitizer_install_malloc_and_free_hooks(fillNewBlock, onFree);
#endif

// Every block malloc hands out from now on is filled with `fill` (0: left as it comes).
void fillHeapWith(int fill) {
#ifdef ZILVARO_SANITIZER_HEAP
    heapFill = fill;
    (void)hooked;
#else
    mallopt(M_PERTURB, fill);
#endif
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const QSize expected(1 + data[0] % 128, 1 + data[1] % 128);
    const MemoryFile memory(data + 2, size - 2);
    if (!memory.valid()) {
        return 0;
    }
    try {
        fillHeapWith(0x55);
        const QImage picture = loadDecompositionPicture(memory.path(), expected);
        fillHeapWith(0xAA);
        const QImage again = loadDecompositionPicture(memory.path(), expected);
        fillHeapWith(0);
        FUZZ_CHECK(picture.size() == expected);
        FUZZ_CHECK(picture.convertToFormat(QImage::Format_ARGB32) ==
                   again.convertToFormat(QImage::Format_ARGB32));
        PictureSurface slot;
        slot.setPicture(picture);
        // Read every pixel, so a sanitizer sees any that were never written.
        std::uint32_t sum = 0;
        for (int y = 0; y < slot.heightPixels(); ++y) {
            for (int x = 0; x < slot.widthPixels(); ++x) {
                sum += slot.surface().pixel(x, y);
            }
        }
        static volatile std::uint32_t sink = 0;
        sink = sink + sum;
    } catch (const Failure&) {
        fillHeapWith(0);
    }
    return 0;
}
