#include "runs/SelfTestRig.h"

namespace velkorin::bench {

bool SelfTestRig::LastRunSucceeded() {
    const std::string box = text1_.Text();
    size_t lines = 1;
    for (size_t at = box.find("\r\n"); at != std::string::npos; at = box.find("\r\n", at + 2)) ++lines;
    const bool slotsEmpty = !slots_.dbDao && !slots_.rsDao && !slots_.cnAdo && !slots_.rsAdo;
    return lines == 19 && box.find("ERROR!") == std::string::npos && slotsEmpty;
}

}  // namespace velkorin::bench
