#pragma once

#include "dtdsource.h"

#include <QString>

#include <string>

// Finds the DTD a document's DOCTYPE names: the file of that name beside
// the document (matched as Windows matches names), read in its own
// encoding; else, or when that file cannot be read or is no DTD, our copy
// of the official text of that name. Only the name is taken from the
// system identifier, so nothing outside the document's folder is read and
// nothing is ever fetched from the network.
class DtdLocator final
{
public:
    // documentEncoding: what the document's XML declaration names.
    DtdLocator(const QString &documentHostPath, const QByteArray &documentEncoding);

    DtdSource locate(const std::string &systemId) const;

private:
    // The first syntax error of a DTD's text with its line ("… (3行目)");
    // empty when it reads as a DTD.
    static QString syntaxError(const QByteArray &utf8);

    // A DTD is a few kilobytes; a larger file is not read.
    static constexpr qint64 MaxDtdBytes = 1 << 20;

    static QString fileNameOf(const QString &systemId);
    bool readFromFolder(DtdSource *source) const;

    QString m_folder;
    QByteArray m_documentEncoding;
};
