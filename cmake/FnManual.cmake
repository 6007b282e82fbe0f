# Renders README.md as the manual the help page's Online Help opens: the
# README's HTML (cmark-gfm, with its tables) inside the page of a template,
# the README's picture links made relative to the manual's folder, where the
# build puts the pictures.  Run as a script:
#   cmake -DCMARK=<cmark-gfm> -DREADME=<README.md> -DTEMPLATE=<page>
#         -DOUT=<manual.html> -P FnManual.cmake
execute_process(COMMAND ${CMARK} --extension table --to html ${README}
  OUTPUT_VARIABLE body RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmark-gfm failed on ${README}")
endif()
string(REPLACE "src=\"docs/" "src=\"" body "${body}")
file(READ ${TEMPLATE} page)
string(REPLACE "<!-- README -->\n" "${body}" page "${page}")
# Written whole, then renamed: an interrupted build leaves no half manual.
file(WRITE ${OUT}.part "${page}")
file(RENAME ${OUT}.part ${OUT})
