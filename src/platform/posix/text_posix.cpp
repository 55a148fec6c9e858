#include "platform/platform.h"

namespace sweep::platform {

// The Linux program's code page is UTF-8, the code page of the sources.
Text TextFromUtf8(std::string_view utf8) { return Text(utf8); }

}  // namespace sweep::platform
