# The Qt Core and standard headers nearly every product file reads first. Each library and
# program parses them once, into a precompiled header, instead of once per file.
set(TARVO_COMMON_HEADERS
    <QByteArray> <QDateTime> <QHash> <QJsonArray> <QJsonDocument> <QJsonObject> <QList>
    <QLoggingCategory> <QObject> <QPointer> <QString> <QStringList> <QTimer> <QUrl> <QVariant>
    <QVariantList> <QVariantMap> <QtQml/qqmlregistration.h>
    <algorithm> <chrono> <functional> <memory> <optional>)

# tarvo_precompile_common_headers(TARGET)
function(tarvo_precompile_common_headers target)
    target_precompile_headers(${target} PRIVATE ${TARVO_COMMON_HEADERS})
endfunction()

# tarvo_add_library(NAME SOURCES ... [LIBRARIES ...] [PRIVATE_LIBRARIES ...])
# One room of src/ as a static library. Its headers are included by their room's folder
# ("billing/Money.h"), so every library puts src/ on the include path of whoever links it.
function(tarvo_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;PRIVATE_LIBRARIES" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_LIBRARIES} PRIVATE ${ARG_PRIVATE_LIBRARIES})
    tarvo_precompile_common_headers(${name})
endfunction()
