// KVTExec: the laptop service program for the KVT-80.
#include "KVTExecApp.h"

int main(int argc, char** argv) {
    return kvt::laptop::RunKVTExec(argc, argv);
}
