// KVTExecCE: the handheld service program for the KVT-80.
#include "KVTExecCEApp.h"

int main(int argc, char** argv) {
    return kvt::handheld::RunKVTExecCE(argc, argv);
}
