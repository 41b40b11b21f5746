#pragma once

#include <QByteArray>
#include <QString>

// The bytes of a file; empty when it cannot be read.
QByteArray ReadBytes(const QString &path);

// Writes the bytes over the file, failing the test when it cannot.
void WriteBytes(const QString &path, const QByteArray &bytes);
