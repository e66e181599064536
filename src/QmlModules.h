#pragma once

class QQmlEngine;

/// Links the app's QML view modules into the program that calls it and lets the engine find
/// them (`import Tarvo.*`). Call before the engine loads its first QML file.
void importQmlModules(QQmlEngine &engine);
