#pragma once

#include <string>
#include <string_view>

#include "DateTimeNumber.h"
#include "DisplayPicture.h"

namespace dirdock {

// A time of day written with a format in Qt's notation: H HH h hh m mm s ss
// z zzz AP A ap a t, text in single quotes ('' for a quote), anything else
// as it stands.
std::string FormatTimeOfDay(const CivilTime& time, const DisplayLocale& locale);

} // namespace dirdock
