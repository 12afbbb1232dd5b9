#pragma once

#include <QString>

// One finding of the delivery check: what is wrong, how badly, and where.
namespace deliverycheck {

enum class Level {
    Error,  // エラー: the ordering body's checker refuses the delivery
    Notice, // 注意: worth a look, does not refuse it
};

// The classes of the ordering bodies' checking programs.
enum class RuleClass {
    Structure, // folders and files
    Grammar,   // XML well-formed and valid against its DTD
    Items,     // management items: values, lengths, characters, relations
    Images,    // the photo and drawing files themselves
};
inline constexpr RuleClass RuleClasses[] = {RuleClass::Structure, RuleClass::Grammar,
                                            RuleClass::Items, RuleClass::Images};

struct Finding
{
    Level level = Level::Error;
    RuleClass ruleClass = RuleClass::Structure;
    // Relative to the delivery folder, in Windows form ("PHOTO\PHOTO.XML");
    // empty for the folder itself.
    QString file;
    int line = 0; // 0 when no line applies
    QString item; // the management item (element) concerned, if any
    QString message;
};

} // namespace deliverycheck
