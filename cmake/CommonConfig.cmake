# One place for the language level, warnings and Qt's strictness defines;
# every target of the project links kasapro_flags.
add_library(kasapro_flags INTERFACE)
target_compile_features(kasapro_flags INTERFACE cxx_std_20)
target_compile_options(kasapro_flags INTERFACE
  -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual)
if(KASAPRO_WERROR)
  target_compile_options(kasapro_flags INTERFACE -Werror)
endif()
if(KASAPRO_SANITIZE)
  target_compile_options(kasapro_flags INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer)
  target_link_options(kasapro_flags INTERFACE -fsanitize=address,undefined)
endif()
target_compile_definitions(kasapro_flags INTERFACE
  QT_NO_CAST_TO_ASCII
  QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_URL_CAST_FROM_STRING
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_FOREACH
  QT_USE_QSTRINGBUILDER
  QT_DISABLE_DEPRECATED_BEFORE=0x060400)
