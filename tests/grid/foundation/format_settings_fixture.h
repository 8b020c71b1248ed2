// A test fixture that gives the program-wide format settings back after each test that changes them.
#pragma once

#include "platform/runtime/format_settings.h"

#include <gtest/gtest.h>

namespace gw::test {

class FormatSettingsTest : public ::testing::Test {
protected:
    void TearDown() override { FormatSettings = m_saved; }
    TFormatSettings m_saved = FormatSettings;
};

}  // namespace gw::test
