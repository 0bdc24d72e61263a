#include "plataforma/relatorio/designer/DesignerSettings.h"

#include <QDir>
#include <QStandardPaths>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

namespace {

const QString Geometry = u"Designer/WindowGeometry"_s;
const QString LastFolder = u"Designer/LastFolder"_s;
const QString RecentFiles = u"Designer/RecentFiles"_s;
const QString DesignZoom = u"Designer/Zoom"_s;
const QString PreviewZoomKey = u"Preview/Zoom"_s;

constexpr int DefaultDesignZoom = 150;

} // namespace

QString DesignerSettings::filePath() {
#ifdef Q_OS_WIN
    // Where Windows puts an INI file named without a folder.
    QString folder = qEnvironmentVariable("WINDIR");
    if (folder.isEmpty())
        folder = u"C:/Windows"_s;
#else
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::ConfigLocation);
#endif
    return QDir(folder).filePath(u"RBuilder.ini"_s);
}

DesignerSettings::DesignerSettings() : m_settings(filePath(), QSettings::IniFormat) {}

QByteArray DesignerSettings::windowGeometry() const {
    return m_settings.value(Geometry).toByteArray();
}

void DesignerSettings::setWindowGeometry(const QByteArray& geometry) {
    m_settings.setValue(Geometry, geometry);
}

QString DesignerSettings::lastFolder() const {
    const QString folder = m_settings.value(LastFolder).toString();
    return !folder.isEmpty() && QDir(folder).exists() ? folder : QDir::homePath();
}

void DesignerSettings::setLastFolder(const QString& folder) {
    m_settings.setValue(LastFolder, folder);
}

QStringList DesignerSettings::recentFiles() const {
    return m_settings.value(RecentFiles).toStringList();
}

void DesignerSettings::addRecentFile(const QString& path) {
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    m_settings.setValue(RecentFiles, files.mid(0, RecentFileCount));
}

void DesignerSettings::removeRecentFile(const QString& path) {
    QStringList files = recentFiles();
    files.removeAll(path);
    m_settings.setValue(RecentFiles, files);
}

int DesignerSettings::designZoom() const {
    const int percent = m_settings.value(DesignZoom, DefaultDesignZoom).toInt();
    return percent >= 25 && percent <= 800 ? percent : DefaultDesignZoom;
}

void DesignerSettings::setDesignZoom(int percent) {
    m_settings.setValue(DesignZoom, percent);
}

PreviewZoom DesignerSettings::previewZoom() const {
    const int zoom = m_settings.value(PreviewZoomKey, 0).toInt();
    return zoom >= 0 && zoom <= 2 ? static_cast<PreviewZoom>(zoom) : PreviewZoom::WholePage;
}

void DesignerSettings::setPreviewZoom(PreviewZoom zoom) {
    m_settings.setValue(PreviewZoomKey, static_cast<int>(zoom));
}

} // namespace plataforma::relatorio
