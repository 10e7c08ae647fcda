#include "common/ui.h"

namespace norvel::common {

const char* msgBoxIconName(MsgBoxIcon icon) {
    switch (icon) {
        case MsgBoxIcon::None:
            return "none";
        case MsgBoxIcon::Critical:
            return "critical";
        case MsgBoxIcon::Question:
            return "question";
        case MsgBoxIcon::Warning:
            return "warning";
        case MsgBoxIcon::Information:
            return "info";
    }
    return "none";
}

const char* msgBoxResultName(MsgBoxResult result) {
    switch (result) {
        case MsgBoxResult::Ok:
            return "ok";
        case MsgBoxResult::Cancel:
            return "cancel";
        case MsgBoxResult::Yes:
            return "yes";
        case MsgBoxResult::No:
            return "no";
        case MsgBoxResult::Retry:
            return "retry";
    }
    return "ok";
}

}  // namespace norvel::common
