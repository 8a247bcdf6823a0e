# Precompiled headers: the Qt and standard headers the Qt layers include are parsed once per
# group of targets instead of once per file, where that parse was most of a file's compile time.
# Only third-party headers go in, so a change to one of ours rebuilds no more than it did. Each
# group has one owner that builds the header; the others reuse it, so their compile flags must
# match the owner's (gcc refuses a mismatched header, and -Winvalid-pch with -Werror turns that
# into a failed build rather than a silently slow one). clang-tidy reads the compile commands
# without them (scripts/tidy.py), so every file of src/ must still include what it uses.
# The Qt-free core and the tests go without: gcc 12 inlines differently against a precompiled
# <string>, and its false -Wstringop-overflow warnings then fire in test code that compiles clean
# without it (a core test and a widget test helper did). Should one fire in a Qt layer, compare
# with -DREELKEEP_PRECOMPILED_HEADERS=OFF before changing the code.
option(REELKEEP_PRECOMPILED_HEADERS "Precompile the third-party headers the sources share" ON)

set(REELKEEP_PCH_STD <algorithm> <array> <cstddef> <cstdint> <functional> <memory> <optional>
    <span> <string> <string_view> <utility> <vector>)
set(REELKEEP_PCH_GUI ${REELKEEP_PCH_STD} <QColor> <QFont> <QFontMetrics> <QLocale> <QPainter>
    <QRect> <QString> <QStringList>)
set(REELKEEP_PCH_WIDGETS ${REELKEEP_PCH_GUI} <QApplication> <QCheckBox> <QComboBox> <QDialog>
    <QEvent> <QGridLayout> <QGroupBox> <QHBoxLayout> <QKeyEvent> <QLabel> <QLineEdit>
    <QListWidget> <QObject> <QPointer> <QPushButton> <QScrollBar> <QTimer> <QToolBar>
    <QVBoxLayout> <QWidget>)

# A target that only builds a group's header, linking what the group's members link from Qt and
# nothing of ours, so it can start as soon as the build does.
function(reelkeep_pch_owner name)
  cmake_parse_arguments(ARG "" "" "LIBS;HEADERS" ${ARGN})
  set(source ${CMAKE_CURRENT_BINARY_DIR}/${name}.cpp)
  file(CONFIGURE OUTPUT ${source} CONTENT "// Only here to build the precompiled header.\n")
  add_library(${name} OBJECT ${source})
  set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTORCC OFF AUTOUIC OFF)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} reelkeep_warnings)
  target_precompile_headers(${name} PRIVATE ${ARG_HEADERS})
endfunction()

# The first target of the list builds the group's header unless owner names another.
function(reelkeep_pch_group)
  cmake_parse_arguments(ARG "" "OWNER" "TARGETS;HEADERS" ${ARGN})
  set(members)
  foreach(target IN LISTS ARG_TARGETS)
    if(TARGET ${target})
      list(APPEND members ${target})
    endif()
  endforeach()
  if(NOT members)
    return()
  endif()
  set(owner ${ARG_OWNER})
  if(NOT owner)
    list(POP_FRONT members owner)
    target_precompile_headers(${owner} PRIVATE ${ARG_HEADERS})
  endif()
  foreach(target IN LISTS members)
    target_precompile_headers(${target} REUSE_FROM ${owner})
  endforeach()
endfunction()

function(reelkeep_use_precompiled_headers)
  if(NOT REELKEEP_PRECOMPILED_HEADERS)
    return()
  endif()
  if(TARGET reelkeep_painting)
    reelkeep_pch_group(TARGETS reelkeep_painting reelkeep_settings HEADERS ${REELKEEP_PCH_GUI})
    reelkeep_pch_owner(reelkeep_pch_widgets LIBS Qt6::Widgets
                       HEADERS ${REELKEEP_PCH_WIDGETS})
    reelkeep_pch_group(OWNER reelkeep_pch_widgets
                       TARGETS reelkeep_view reelkeep_dialogs reelkeep_printing reelkeep_shell
                               reelkeep reelkeep-cli paint_bench window_bench recovery_bench
                               fuzz_replay_settings)
  endif()
endfunction()
