#pragma once

#include "about/aboutplatform.h"
#include "about/memoryregistry.h"

#include <QStringList>

#include <memory>

// Stands in for the desktop under the About window: a registry in memory, and a
// record of the programs started and of the messages shown, so nothing starts
// and no message box waits for a click.
struct FakeAboutPlatform
{
    std::shared_ptr<MemoryRegistry> registry = std::make_shared<MemoryRegistry>();
    QStringList started;
    QStringList messages; // "caption: text"
    bool startSucceeds = true;

    AboutPlatform platform()
    {
        return {registry,
                [this](const QString &program) {
                    started << program;
                    return startSucceeds;
                },
                [this](QWidget *, const QString &text, const QString &caption) {
                    messages << caption + QStringLiteral(": ") + text;
                }};
    }
};
