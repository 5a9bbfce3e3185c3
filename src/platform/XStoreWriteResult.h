#pragma once

#include <QString>

// What became of one write of the preference store to its file.
struct XStoreWriteResult
{
    enum Kind
    {
        Written,
        // The file on disk could not be read as settings; it was replaced by what is in memory.
        WrittenOverUnreadableFile,
        NotWritten,
    };
    Kind kind = Written;
    QString fileName;
    // For NotWritten: why, in words a user can act on.
    QString reason;

    bool written() const { return kind != NotWritten; }
};

// Why the settings file at `filePath` cannot be written: it is a folder, its folder cannot
// be made or written, the disk is full, or else what opening it for writing says.
QString XWhyNotWritable(const QString& filePath);
