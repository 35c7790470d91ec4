#include "ui/application.h"

int main(int argc, char* argv[]) {
    return zilvaro::runApplication(argc, argv);
}
