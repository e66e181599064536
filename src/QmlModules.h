#pragma once

/// Links the app's QML view modules into the program that calls it, so that `import Tarvo.*`
/// finds them. Call once before the first QML file is loaded.
void importQmlModules();
