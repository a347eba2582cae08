// The result codes of the panel bus and of the library's entry points.
#ifndef WIRELET_STATUS_H
#define WIRELET_STATUS_H

#include <cstdint>

namespace wirelet {

inline constexpr std::int32_t kOk = 0;
// A required argument was null: the event record, its type, a listener function or an extension id.
inline constexpr std::int32_t kNullArgument = 1;
// RemoveEventListener found no registration with that type, function and context.
inline constexpr std::int32_t kNotRegistered = 2;
// A host-side text holds a NUL character and cannot be handed on as C text.
inline constexpr std::int32_t kInvalidText = 3;
// The bus could not complete the call (out of memory); nothing was changed.
inline constexpr std::int32_t kInternalFailure = 4;

}  // namespace wirelet

#endif
