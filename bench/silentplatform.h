#pragma once

// The desktop's requests answered by nobody: a benchmark shows no boxes and opens nothing.

#include "app/platform.h"

namespace bench {

class SilentPlatform : public pelmora::Platform
{
public:
    void showMessage(QWidget *, const QString &) override {}
    bool openWebAddress(const QUrl &) override { return true; }
    void quit() override {}
};

} // namespace bench
