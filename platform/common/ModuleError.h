// The text of the last module-loader failure of the calling thread, for LastModuleError on every system.
#ifndef PLATFORM_COMMON_MODULEERROR_H
#define PLATFORM_COMMON_MODULEERROR_H

namespace platform {

// Keeps a failure text (null: none); an allocation failure leaves the text empty rather than throwing.
void SetModuleError(const char* text) noexcept;

}  // namespace platform

#endif
