#pragma once

#include <QList>
#include <QString>

namespace ui {

// One line of a UI script (see docs/scripted-runs.md).
struct ScriptCommand
{
    enum class Kind {
        // Preparations: queued before anything runs.
        Answer,  // number: IDOK, IDYES, IDNO or IDCANCEL
        Browse,  // text: the folder, or cancel
        Save,    // text: the file, or cancel
        // Actions: run in order once the window shows.
        Text,    // controlId, text
        Click,   // controlId
        Select,  // controlId, number: the index
        Tick,    // controlId, text: the folder path
        Next,
        Back,
        Finish,
        Cancel,
        Shot,        // text: the picture file
        ExpectPage,  // number: the template id
    };

    Kind kind = Kind::Next;
    int line = 0;        // 1-based line in the script
    QString source;      // the line as written, for messages
    int controlId = 0;
    int number = 0;
    QString text;
    bool cancel = false;  // browse cancel, save cancel

    bool isPreparation() const
    {
        return kind == Kind::Answer || kind == Kind::Browse || kind == Kind::Save;
    }
};

struct ParsedScript
{
    QList<ScriptCommand> commands;
    // Empty when every line is well-formed; else "line N: what is wrong".
    QString error;
};

// Reads a whole script. Blank lines and lines starting with '#' are skipped;
// the first malformed line stops the reading with an error.
ParsedScript parseScript(const QString &script);

} // namespace ui
