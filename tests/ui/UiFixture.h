#pragma once

#include "tests/fakes/FakeMessageBox.h"
#include "tests/fakes/FakeUiHost.h"
#include "ui/Application.h"

namespace zt {

// A headless application for driving forms in tests.
struct UiFixture {
    FakeUiHost host;
    FakeMessageBox messages;
    Application app{host, messages};
};

} // namespace zt
