#include "otherdataplan.h"

#include "platform/winpath.h"

#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace host {

namespace {

// The limits of the names: three digits of serial, two of file number,
// five of an その他 file's serial, three of a subfolder's number.
constexpr int MaxDocuments = 999;
constexpr int MaxFilesPerDocument = 99;
constexpr int MaxOtherFiles = 99999;
constexpr int MaxSubfolders = 999;
const QString MeetingPrefix = QStringLiteral("MTG");
const QString PlanPrefix = QStringLiteral("PLN");
const QString OtherPrefix = QStringLiteral("OTH");
const QString DefaultSubfolderName = QStringLiteral("その他");

QString digits(int number, int width)
{
    return QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0'));
}

QString windowsFileName(const QString &path)
{
    return path.mid(path.lastIndexOf(u'\\') + 1);
}

class Planner
{
public:
    Planner(const QString &calsFolder, QString *error)
        : m_calsFolder(calsFolder), m_error(error)
    {
    }

    // The file planned under the name, or nothing after *error.
    std::optional<PlannedOriginal> original(const calsdb::Registration &registration,
                                            const calsdb::RegisteredFile &file,
                                            const QString &baseName)
    {
        const QString windowsPath = isAbsolute(file.path)
            ? file.path
            : m_calsFolder + u'\\' + file.path;
        const QString sourceHost = win::toHostPath(windowsPath);
        if (sourceHost.isEmpty()) {
            *m_error = QStringLiteral("%1 (registration %2): no drive maps the file")
                           .arg(windowsPath)
                           .arg(registration.id);
            return std::nullopt;
        }
        const QString ownName = windowsFileName(file.path);
        const QString suffix = QFileInfo(ownName).suffix().toUpper();
        PlannedOriginal planned;
        planned.file = &file;
        planned.sourceHost = sourceHost;
        planned.name = suffix.isEmpty() ? baseName : baseName + u'.' + suffix;
        planned.japaneseName = file.japaneseName.isEmpty() ? ownName : file.japaneseName;
        return planned;
    }

    // A meeting record or plan with its files, or nothing after *error.
    std::optional<PlannedDocument> document(const calsdb::Registration &registration,
                                            int serial, const QString &prefix)
    {
        if (serial > MaxDocuments)
            return fail(registration, QStringLiteral("more than %1 of its kind").arg(MaxDocuments));
        if (registration.files.isEmpty())
            return fail(registration, QStringLiteral("no file is registered"));
        if (registration.files.size() > MaxFilesPerDocument)
            return fail(registration,
                        QStringLiteral("more than %1 files").arg(MaxFilesPerDocument));
        PlannedDocument planned{&registration, serial, {}};
        for (qsizetype index = 0; index < registration.files.size(); ++index) {
            const std::optional<PlannedOriginal> file =
                original(registration, registration.files[index],
                         prefix + digits(serial, 3) + digits(int(index + 1), 2));
            if (!file)
                return std::nullopt;
            planned.files.append(*file);
        }
        return planned;
    }

    // An その他 document, its files numbered on from *serial.
    std::optional<PlannedDocument> otherDocument(const calsdb::Registration &registration,
                                                 int *serial)
    {
        PlannedDocument planned{&registration, 0, {}};
        for (const calsdb::RegisteredFile &registered : registration.files) {
            if (++*serial > MaxOtherFiles)
                return fail(registration, QStringLiteral("more than %1 files of other documents")
                                              .arg(MaxOtherFiles));
            std::optional<PlannedOriginal> file =
                original(registration, registered, OtherPrefix + digits(*serial, 5));
            if (!file)
                return std::nullopt;
            file->serial = *serial;
            planned.files.append(*file);
        }
        return planned;
    }

private:
    static bool isAbsolute(const QString &path)
    {
        return path.startsWith(QStringLiteral("\\\\")) || (path.size() > 2 && path[1] == u':');
    }

    std::nullopt_t fail(const calsdb::Registration &registration, const QString &reason)
    {
        *m_error = QStringLiteral("CALS.mdb, registration %1 (%2): %3")
                       .arg(registration.id)
                       .arg(registration.title, reason);
        return std::nullopt;
    }

    QString m_calsFolder;
    QString *m_error;
};

} // namespace

bool planOtherData(const QList<calsdb::Registration> &registrations, const QString &calsFolder,
                   OtherDataPlan *plan, QString *error)
{
    *plan = OtherDataPlan();
    Planner planner(calsFolder, error);
    int otherFileSerial = 0;
    for (const calsdb::Registration &registration : registrations) {
        std::optional<PlannedDocument> document;
        switch (registration.kind) {
        case calsdb::Kind::Meeting:
            document = planner.document(registration, int(plan->meetings.size() + 1), MeetingPrefix);
            if (document)
                plan->meetings.append(*document);
            break;
        case calsdb::Kind::Plan:
            document = planner.document(registration, int(plan->plans.size() + 1), PlanPrefix);
            if (document)
                plan->plans.append(*document);
            break;
        case calsdb::Kind::Other: {
            document = planner.otherDocument(registration, &otherFileSerial);
            if (!document)
                break;
            const QString japaneseName = registration.subfolder.trimmed().isEmpty()
                ? DefaultSubfolderName
                : registration.subfolder.trimmed();
            auto subfolder = std::find_if(plan->others.begin(), plan->others.end(),
                                          [&japaneseName](const PlannedSubfolder &folder) {
                                              return folder.japaneseName == japaneseName;
                                          });
            if (subfolder == plan->others.end()) {
                if (plan->others.size() >= MaxSubfolders) {
                    *error = QStringLiteral("CALS.mdb: more than %1 subfolders of other documents")
                                 .arg(MaxSubfolders);
                    return false;
                }
                plan->others.append({QString::fromUtf16(OriginalFolderName)
                                         + digits(int(plan->others.size() + 1), 3),
                                     japaneseName,
                                     {}});
                subfolder = plan->others.end() - 1;
            }
            subfolder->documents.append(*document);
            break;
        }
        }
        if (!document)
            return false;
    }
    return true;
}

void nameOtherFolders(const OtherDataPlan *plan, suitedata::BasicInfo *basic)
{
    const auto folderOf = [](const char16_t *folder, bool present) {
        return present ? QString::fromUtf16(folder) : QString();
    };
    const auto originalsOf = [](const char16_t *folder, bool present) {
        return present ? QString::fromUtf16(folder) + u'/' + QString::fromUtf16(OriginalFolderName)
                       : QString();
    };
    const bool meetings = plan && !plan->meetings.isEmpty();
    const bool plans = plan && !plan->plans.isEmpty();
    const bool others = plan && !plan->others.isEmpty();
    basic->meetingFolder = folderOf(MeetingFolderName, meetings);
    basic->meetingOriginalFolder = originalsOf(MeetingFolderName, meetings);
    basic->planFolder = folderOf(PlanFolderName, plans);
    basic->planOriginalFolder = originalsOf(PlanFolderName, plans);
    basic->otherFolder = folderOf(OtherFolderName, others);
    basic->otherOriginalFolders.clear();
    if (!others)
        return;
    for (const PlannedSubfolder &subfolder : plan->others)
        basic->otherOriginalFolders.append(
            {QString::fromUtf16(OtherFolderName) + u'/' + subfolder.name, subfolder.japaneseName});
}

} // namespace host
