# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the service worker into the site: every file the page may ask for, and a
# version mark from their contents, so a new build is a new worker.
# cmake -DSITE=<site folder> -DTEMPLATE=<service_worker.js> -P service_worker.cmake
file(GLOB_RECURSE found RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM found service-worker.js korvane-wasm.js)
list(SORT found)
set(listed "\"./\"")
set(sums "")
foreach(f ${found})
    file(SHA256 ${SITE}/${f} sum)
    string(APPEND sums "${f} ${sum}\n")
    string(APPEND listed ",\n    \"${f}\"")
endforeach()
string(SHA256 version "${sums}")
string(SUBSTRING ${version} 0 16 version)
file(READ ${TEMPLATE} text)
string(REPLACE "@VERSION@" "${version}" text "${text}")
string(REPLACE "@FILES@" "\n    ${listed}\n" text "${text}")
file(WRITE ${SITE}/service-worker.js.new "${text}")
file(COPY_FILE ${SITE}/service-worker.js.new ${SITE}/service-worker.js ONLY_IF_DIFFERENT)
file(REMOVE ${SITE}/service-worker.js.new)
