#pragma once

// A platform that records what the program asked of the desktop instead of doing it.

#include "app/platform.h"

#include <QStringList>
#include <QUrl>

#include <functional>

class RecordingPlatform : public pelmora::Platform
{
public:
    void showMessage(QWidget *, const QString &text) override
    {
        messages.append(text);
        if (onMessage)
            onMessage(text);
    }
    bool openWebAddress(const QUrl &address) override
    {
        openedAddresses.append(address);
        return browserAvailable;
    }
    void quit() override { ++quitRequests; }

    QStringList messages;
    QList<QUrl> openedAddresses;
    int quitRequests = 0;
    bool browserAvailable = true;
    // Runs while the message box would be open, as if the user looked at it.
    std::function<void(const QString &)> onMessage;
};
