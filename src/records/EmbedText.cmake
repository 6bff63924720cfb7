# SPDX-License-Identifier: MIT
# Writes the text file IN into the C++ source OUT as the string constant NAME of namespace vardex,
# so that a program carries its data with it.
#   cmake -DIN=<file> -DOUT=<file.cpp> -DNAME=<constant> -P EmbedText.cmake
file(READ ${IN} text)
file(WRITE ${OUT} "// Generated from ${IN} by EmbedText.cmake.\nnamespace vardex {\nextern const char *const ${NAME};\n"
                  "const char *const ${NAME} = R\"vardex_text(${text})vardex_text\";\n}  // namespace vardex\n")
