#include "outputsettings.h"

#include "platform/profile.h"
#include "platform/winpath.h"
#include "settingsfile.h"

#include <QFileInfo>

namespace host {

namespace {

const QString XmlOutSection = QStringLiteral("XMLOUT");
const QString OptionSection = QStringLiteral("OPTION");

class SettingsProfile
{
public:
    explicit SettingsProfile(const QString &path)
        : m_path(path)
    {
    }

    int number(const QString &section, const QString &key, int fallback) const
    {
        return win::getPrivateProfileInt(section, key, fallback, m_path);
    }

    QString text(const QString &section, const QString &key) const
    {
        return win::getPrivateProfileString(section, key, QString(), win::MaxPath, m_path);
    }

private:
    QString m_path;
};

} // namespace

std::optional<OutputSettings> readOutputSettings(const QString &windowsPath)
{
    if (!QFileInfo::exists(win::toHostPath(windowsPath)))
        return std::nullopt;
    const SettingsProfile profile(windowsPath);
    OutputSettings settings;
    settings.standardCode = profile.number(XmlOutSection, QStringLiteral("foldertype"), 0);
    settings.photoType = profile.number(XmlOutSection, QStringLiteral("phototype"), 1);
    settings.outputKind = profile.number(XmlOutSection, QStringLiteral("type"), 0);
    settings.folder = profile.text(XmlOutSection, QStringLiteral("folder"));
    settings.splitSizeMb = profile.number(XmlOutSection, QStringLiteral("size"), 0);
    settings.tekiyou = profile.text(XmlOutSection, QStringLiteral("tekiyou"));
    settings.sheet = profile.number(OptionSection, QStringLiteral("sheet"), 0);
    settings.startMedia = profile.number(OptionSection, QStringLiteral("media"),
                                         settingsfile::MinStartMedia);
    // A number the export cannot have written would number the media on
    // past the largest integer.
    if (settings.startMedia < settingsfile::MinStartMedia
        || settings.startMedia > settingsfile::MaxStartMedia)
        settings.startMedia = settingsfile::MinStartMedia;
    settings.japaneseNames = profile.number(OptionSection, QStringLiteral("jname"), 0) == 1;
    settings.xmlOnly = profile.number(OptionSection, QStringLiteral("xml"), 0) == 1;
    settings.otherData = profile.number(OptionSection, QStringLiteral("othrsData"), 0) == 1;
    settings.koujiJH = profile.text(OptionSection, QStringLiteral("KOUJIJH"));
    settings.syashiJH = profile.text(OptionSection, QStringLiteral("SYASHIJH"));
    settings.cooperation =
        profile.number(OptionSection, QStringLiteral("EXECCOOPERATIONHELP"), NoCooperation);
    settings.browser = profile.number(OptionSection, QStringLiteral("BROWSER"), 0) == 1;
    if (settings.outputKind != OutputToFolder || settings.folder.isEmpty())
        return std::nullopt;
    return settings;
}

} // namespace host
