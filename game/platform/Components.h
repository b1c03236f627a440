#pragma once

#include <QString>

#include <memory>

class QObject;

namespace velmor {

// Components are libraries in the components folder beside the executable (never under the data root).
// Each declares the identifier it answers to, such as "Sounds.MuzON", in its plugin metadata.
QString componentsFolder();
void setComponentsFolder(const QString& folder);

// Creates a new instance of the component registered under the identifier. Null when no library answers to
// it or the library cannot be loaded; the caller goes on without it. Dropping the last reference releases it.
std::shared_ptr<QObject> createComponent(const QString& identifier);

// Calls a method of a component late bound, by name, with one text argument. False when there is no
// component or it has no such method.
bool callComponent(QObject* component, const char* method, const QString& argument);

// The game's way to reach a sound: a new instance of "Sounds.MuzON" replaces the held one when it can be
// created; the call then goes to whatever instance is held, and fails silently when there is none.
void playThroughNewSoundComponent(std::shared_ptr<QObject>& soundPlayer, const char* method,
                                  const QString& path);

} // namespace velmor
