#pragma once

#include "finding.h"

#include <QList>
#include <QString>

#include <array>

// The result of checking one delivery folder: its findings in the order
// they were found, their counts per class and level, and what the folder
// was found to hold.
namespace deliverycheck {

class CheckReport final
{
public:
    enum class Outcome {
        Passed,       // no error (notices allowed)
        Failed,       // at least one error
        NotADelivery, // neither an index file nor PHOTO\PHOTO.XML
    };

    // What the summary lines of a report tell.
    struct Summary
    {
        QString folder;       // as it was given
        QString standardName; // the photo standard, empty when unknown
        QString indexFile;    // as listed, empty when none
        QString indexDtd;     // what the index file was validated against
        QString photoFile;    // PHOTO\PHOTO.XML as listed, empty when none
        QString photoDtd;
        // MEET.XML, PLAN.XML, OTHRS.XML as listed, each with its DTD.
        struct Document
        {
            QString file;
            QString dtd;
        };
        QList<Document> otherDocuments;
        int photos = 0;     // 写真情報 in PHOTO.XML
        int drawings = 0;   // 付加情報 naming a drawing file
        int photoFiles = 0; // files in the photo folder
        bool imagesDecoded = false;
    };

    void add(const Finding &finding);
    void error(RuleClass ruleClass, const QString &file, int line, const QString &item,
               const QString &message);
    void notice(RuleClass ruleClass, const QString &file, int line, const QString &item,
                const QString &message);
    void setNotADelivery(const QString &reason);

    Outcome outcome() const;
    // Why the folder is not a delivery; empty otherwise.
    QString notADeliveryReason() const { return m_notADelivery; }

    const QList<Finding> &findings() const { return m_findings; }
    // The findings of one level, in the order they were found.
    QList<Finding> findings(Level level) const;
    int count(RuleClass ruleClass, Level level) const;
    int count(Level level) const;

    Summary &summary() { return m_summary; }
    const Summary &summary() const { return m_summary; }

private:
    static constexpr int ClassCount = int(std::size(RuleClasses));

    QList<Finding> m_findings;
    std::array<std::array<int, 2>, ClassCount> m_counts {};
    QString m_notADelivery;
    Summary m_summary;
};

} // namespace deliverycheck
