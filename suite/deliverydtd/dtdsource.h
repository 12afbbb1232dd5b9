#pragma once

#include <QByteArray>
#include <QString>

// The DTD a delivery document is validated against, and where it came from.
struct DtdSource
{
    enum class Origin {
        None,     // the document names no DTD
        Folder,   // the file beside the document
        Official, // our copy of the official text: the folder has no usable file
        Missing,  // neither the folder nor we hold it
    };

    Origin origin = Origin::None;
    QString systemId;      // as the DOCTYPE names it
    QString fileName;      // the file name the system identifier ends in
    QString encoding;      // what the folder's file was read in
    QString folderProblem; // why the folder's file could not be used
    QByteArray utf8;       // the text handed to the parser

    bool isUsable() const { return origin == Origin::Folder || origin == Origin::Official; }
};
