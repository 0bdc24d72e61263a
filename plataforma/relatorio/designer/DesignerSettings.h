#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>

namespace plataforma::relatorio {

// How the preview fits a page in its window.
enum class PreviewZoom { WholePage, PageWidth, ActualSize };

// The designer's own preferences, in its INI file "RBuilder.ini": in the Windows directory on
// Windows, in the user's configuration folder elsewhere. Nothing else reads or writes it.
class DesignerSettings {
public:
    static QString filePath();
    static constexpr int RecentFileCount = 6;

    DesignerSettings();

    QByteArray windowGeometry() const;
    void setWindowGeometry(const QByteArray& geometry);
    // The folder of the last file opened or saved; the home folder at first.
    QString lastFolder() const;
    void setLastFolder(const QString& folder);
    // Most recent first.
    QStringList recentFiles() const;
    void addRecentFile(const QString& path);
    void removeRecentFile(const QString& path);
    // The design page's zoom, in percent.
    int designZoom() const;
    void setDesignZoom(int percent);
    PreviewZoom previewZoom() const;
    void setPreviewZoom(PreviewZoom zoom);

private:
    mutable QSettings m_settings;
};

} // namespace plataforma::relatorio
