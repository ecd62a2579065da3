# Precompiled headers: the Qt and standard headers that nearly every file includes are parsed
# once per target instead of once per file.
#
#   merion_precompile(TARGET CORE|WIDGETS [TEST] [GROUP NAME])
#
# CORE is Qt Core and the standard library; WIDGETS adds the widgets most windows use; TEST adds
# Qt Test. A program of one file (each test, each benchmark) would spend on a header of its own
# what it saves, so programs built alike name a GROUP: the group's first member compiles the
# header and the others reuse it (they must share its compile settings; the compiler refuses a
# header that does not fit, and warnings are errors). -DMERION_PCH=OFF builds without them, which
# shows any file that does not include what it uses.
option(MERION_PCH "Precompile the headers most files include" ON)

set(MERION_PCH_CORE
    <QByteArray> <QCoreApplication> <QDir> <QFile> <QFileInfo> <QHash> <QList> <QObject> <QString> <QStringList>
    <QVariant> <algorithm> <functional> <memory> <optional>)
set(MERION_PCH_WIDGETS ${MERION_PCH_CORE}
    <QApplication> <QComboBox> <QDialog> <QFileDialog> <QGridLayout> <QLabel> <QLineEdit> <QMessageBox>
    <QPushButton> <QWidget>)
set(MERION_PCH_TEST <QTemporaryDir> <QTest>)

function(merion_precompile target headers)
  if(NOT MERION_PCH)
    return()
  endif()
  cmake_parse_arguments(PARSE_ARGV 2 arg "TEST" "GROUP" "")
  set(list ${MERION_PCH_${headers}})
  if(arg_TEST)
    list(APPEND list ${MERION_PCH_TEST})
  endif()
  if(arg_GROUP)
    get_property(owner GLOBAL PROPERTY MERION_PCH_OWNER_${arg_GROUP})
    if(owner)
      target_precompile_headers(${target} REUSE_FROM ${owner})
      return()
    endif()
    set_property(GLOBAL PROPERTY MERION_PCH_OWNER_${arg_GROUP} ${target})
  endif()
  target_precompile_headers(${target} PRIVATE ${list})
endfunction()
