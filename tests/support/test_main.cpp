// The main of every test program. ZILVARO_TEST_APPLICATION names the application class the
// tests of a layer need (QCoreApplication below the pictures, QGuiApplication for them,
// QApplication for the windows); it runs on the offscreen platform unless told otherwise.
#include <QtGlobal>

#if !defined(ZILVARO_TEST_APPLICATION)
#error "ZILVARO_TEST_APPLICATION must name the test program's application class"
#endif

#define ZILVARO_STRINGIFY(x) #x
#define ZILVARO_HEADER(x) ZILVARO_STRINGIFY(x)
#include ZILVARO_HEADER(ZILVARO_TEST_APPLICATION)

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    ZILVARO_TEST_APPLICATION app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
