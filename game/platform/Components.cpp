#include "Components.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonObject>
#include <QLibrary>
#include <QMetaObject>
#include <QPluginLoader>

#include <map>

namespace velmor {

namespace {

QString& folderSetting() {
    static QString folder;
    return folder;
}

// The factory objects of the libraries loaded so far, by folder and identifier. A library stays loaded for
// the rest of the run: its players must outlive every instance it handed out.
std::map<std::pair<QString, QString>, QObject*>& factories() {
    static std::map<std::pair<QString, QString>, QObject*> loaded;
    return loaded;
}

QObject* findFactory(const QString& identifier) {
    const std::pair<QString, QString> key{componentsFolder(), identifier};
    auto known = factories().find(key);
    if (known != factories().end()) return known->second;

    QDir folder(key.first);
    if (folder.path().isEmpty() || !folder.exists()) return nullptr;
    const QStringList files = folder.entryList(QDir::Files, QDir::Name);
    for (const QString& file : files) {
        QString path = folder.filePath(file);
        if (!QLibrary::isLibrary(path)) continue;
        QPluginLoader loader(path);
        QJsonObject meta = loader.metaData().value(QStringLiteral("MetaData")).toObject();
        if (meta.value(QStringLiteral("identifier")).toString() != identifier) continue;
        QObject* factory = loader.instance();
        if (!factory) continue;
        factories()[key] = factory;
        return factory;
    }
    return nullptr;
}

} // namespace

QString componentsFolder() {
    QString& folder = folderSetting();
    if (folder.isEmpty() && QCoreApplication::instance())
        return QCoreApplication::applicationDirPath() + QStringLiteral("/components");
    return folder;
}

void setComponentsFolder(const QString& folder) {
    folderSetting() = folder;
}

std::shared_ptr<QObject> createComponent(const QString& identifier) {
    QObject* factory = findFactory(identifier);
    if (!factory) return nullptr;
    QObject* instance = nullptr;
    if (!QMetaObject::invokeMethod(factory, "create", Qt::DirectConnection, Q_RETURN_ARG(QObject*, instance)))
        return nullptr;
    if (!instance) return nullptr;
    instance->setParent(nullptr);
    return std::shared_ptr<QObject>(instance);
}

bool callComponent(QObject* component, const char* method, const QString& argument) {
    if (!component) return false;
    return QMetaObject::invokeMethod(component, method, Qt::DirectConnection, Q_ARG(QString, argument));
}

void playThroughNewSoundComponent(std::shared_ptr<QObject>& soundPlayer, const char* method,
                                  const QString& path) {
    if (std::shared_ptr<QObject> created = createComponent(QStringLiteral("Sounds.MuzON")))
        soundPlayer = std::move(created);
    callComponent(soundPlayer.get(), method, path);
}

} // namespace velmor
