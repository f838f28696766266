#pragma once
// Why a file could not be read, written or copied, in the words a clerk
// reads. Qt's own error strings come from the system in English.

#include <QFileDevice>
#include <QString>

QString FileErrorInJapanese(QFileDevice::FileError error);
