#include "payload/AttachFiles.h"

namespace payload {

EPayloadError::EPayloadError(TPayloadFault fault, const std::string& message)
    : std::runtime_error(message), fault_(fault) {}

} // namespace payload
