// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/colorvalue.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>

// Where the stock keeps its colors: one text per key, three keys per slot. The
// stock only saves and gets texts; it never deletes or lists keys.
class StockStore
{
public:
    virtual ~StockStore() = default;

    // The texts of several keys as one read finds them, in the keys' order; empty
    // text for a key that is missing or cannot be read. A store behind a file
    // reads it once for them all.
    virtual QStringList texts(const QStringList &keys) const = 0;

    // The stored text of one key, read at the moment of the call.
    QString text(const QString &key) const { return texts({key}).constFirst(); }

    // What a save came to, and what the user should hear of it.
    struct Saved
    {
        // Whether the texts are on disk. When they are not, `message` names the
        // store, says why it could not take them and what to do about it.
        bool onDisk = true;
        // Empty when there is nothing to tell. For a save that is on disk: where
        // the store kept what it could not carry over.
        QString message;
    };

    // Texts by key: a slot's three, for one save.
    using Texts = QMap<QString, QString>;

    // Replaces the texts of the keys together. A store behind a file replaces the
    // file once for them all: all of them reach the disk, or none does.
    virtual Saved save(const Texts &keyTexts) = 0;

    // "ColorStock_05R" for the red component of slot 5.
    static QString key(int slot, ColorValue::Component component);
    // The section of every key, as QSettings names it before the key.
    static const QString section;

    // Where this desktop keeps a user's settings: the registry on Windows, a
    // settings file elsewhere.
    static std::unique_ptr<StockStore> user();

protected:
    // A save that is not on disk, told with `where` the store is and `why` it failed.
    static Saved failure(const QString &where, const QString &why);
};
