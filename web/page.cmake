# Writes the one-file page: the template with the style, the page script, the
# module (JavaScript with the WebAssembly and the assets inside) and the help
# text put in place.
#   cmake -DTEMPLATE= -DCSS= -DPAGE_JS= -DMODULE_JS= -DHELP= -DOUT= -P page.cmake
foreach(input TEMPLATE CSS PAGE_JS MODULE_JS HELP)
  file(READ "${${input}}" ${input}_TEXT)
endforeach()

string(REPLACE "&" "&amp;" HELP_TEXT "${HELP_TEXT}")
string(REPLACE "<" "&lt;" HELP_TEXT "${HELP_TEXT}")
string(REPLACE ">" "&gt;" HELP_TEXT "${HELP_TEXT}")
string(STRIP "${HELP_TEXT}" HELP_TEXT)

# Inside a script element only "</script" could end it early.
foreach(script PAGE_JS MODULE_JS)
  string(REPLACE "</script" "<\\/script" ${script}_TEXT "${${script}_TEXT}")
endforeach()

set(page "${TEMPLATE_TEXT}")
string(REPLACE "@ZOT_PAGE_CSS@" "${CSS_TEXT}" page "${page}")
string(REPLACE "@ZOT_HELP_TEXT@" "${HELP_TEXT}" page "${page}")
string(REPLACE "@ZOT_PAGE_JS@" "${PAGE_JS_TEXT}" page "${page}")
string(REPLACE "@ZOT_MODULE_JS@" "${MODULE_JS_TEXT}" page "${page}")
file(WRITE "${OUT}" "${page}")
