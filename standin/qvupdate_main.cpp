// qvupdate_main.cpp - the stand-in update tool "qvupdate.exe" that the installation's update batch
// files call: qvupdate <step> <installation folder> <scratch folder> [argument].
#include <exception>
#include <string>
#include <vector>

#include "standin_log.hpp"
#include "update_standin.hpp"

int main(int argc, char** argv) {
    try {
        standinlog("qvupdate.exe", argc, argv);
        if (argc < 4) return 1;
        std::vector<std::string> arguments(argv + 4, argv + argc);
        return updatestep(argv[1], argv[2], argv[3], arguments);
    } catch (const std::exception&) {
        return 2;
    }
}
