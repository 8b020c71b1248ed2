// Tests that change the program-wide format settings give them back, however the test ends.
#pragma once

#include "platform/runtime/format_settings.h"
#include "platform/runtime/scope.h"

#include <gtest/gtest.h>

namespace gw::test {

// Holds the format settings as they were and restores them when it goes out of scope.
class KeepFormatSettings {
public:
    KeepFormatSettings() = default;

private:
    TTemporaryChange<TFormatSettings> m_change{FormatSettings, FormatSettings};
};

// A fixture for tests that change the format settings.
class FormatSettingsTest : public ::testing::Test {
private:
    KeepFormatSettings m_keep;
};

}  // namespace gw::test
