#pragma once
// The system's reasons for a failed file operation, in the words a clerk reads in the
// transfer's report: Portuguese for the failures a studio meets (full disk, no
// permission, read-only medium, file too large, broken medium), and for anything rarer
// a Portuguese line with the error's number and the system's own text.
#include <QString>

QString SystemErrorText(int error);
