#pragma once

#include "engine/Notice.h"

#include <QString>

#include <optional>

// A part of the embedded browser that is not installed, and the Debian package that brings it.
struct BrowserComponent
{
    QString path;
    QString package;

    friend bool operator==(const BrowserComponent &, const BrowserComponent &) = default;
};

// The first part the embedded browser needs that this machine lacks: its helper process or its
// resources, looked for where the browser itself looks (the QTWEBENGINEPROCESS_PATH and
// QTWEBENGINE_RESOURCES_PATH variables, otherwise Qt's own folders). None when it can run.
std::optional<BrowserComponent> MissingBrowserComponent();

// The critical "Error" box that names the missing part.
Notice MissingBrowserNotice(const BrowserComponent &missing);
