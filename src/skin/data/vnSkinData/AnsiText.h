#pragma once
// Skin descriptions are 8-bit ANSI text (Windows-1252) with CR LF line ends.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The lines of a text, split at CR LF, LF or CR; a last line without a line end
// counts, a final line end does not start another line.
QList<QByteArray> SplitTextLines(const QByteArray& text);

QString AnsiToString(QByteArrayView text);
