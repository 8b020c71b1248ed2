// The basic value types every part of the system speaks in.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace gw {

// Text is UTF-16: positions and lengths are counted in UTF-16 units, as the system's own are.
using String = std::u16string;
using StringView = std::u16string_view;
using Char = char16_t;

using Integer = int32_t;
using Cardinal = uint32_t;
using Word = uint16_t;
using Byte = uint8_t;
using Int64 = int64_t;

// Days since 1899-12-30; the fraction is the time of day.
using TDateTime = double;

class TObject;

// The plain event: who raised it.
using TNotifyEvent = std::function<void(TObject* Sender)>;

}  // namespace gw
