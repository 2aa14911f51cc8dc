#pragma once

#include <QByteArray>
#include <QString>

// Writes a file whole or not at all: the bytes go to a temporary file beside it, which takes the
// file's name only once every byte is written, so a failure leaves the old file (or none).
// False with the reason when it cannot.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString& error);
