# nwdevmode.exe over the DLL under Wine, against Wine's registry: settings
# by name, set and read back, a refused value changing nothing. Wine has no
# printer of this driver, so the registry settings are reached --offline.
#   cmake -DEMULATOR=wine64 -DTOOL=nwdevmode.exe -P wine_settings.cmake
set(printer "Nordwisp Wine Tool")

# Runs the tool; its exit code and output (line ends made plain) go to
# code and out.
function(run_tool)
  execute_process(COMMAND ${EMULATOR} ${TOOL} ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output
                  ERROR_VARIABLE errors)
  string(REPLACE "\r" "" output "${output}")
  set(code "${result}" PARENT_SCOPE)
  set(out "${output}" PARENT_SCOPE)
  set(err "${errors}" PARENT_SCOPE)
endfunction()

function(expect what actual expected)
  if(NOT "${actual}" STREQUAL "${expected}")
    message(FATAL_ERROR "${what}: got \"${actual}\", expected \"${expected}\"\n${err}")
  endif()
endfunction()

run_tool(set ${printer} --offline pdf.open-zoom=150 email.smtp-server=mail.example.com
         cover-page.enable-cover-page=on pdf.document-owner-password=s3cret page.crop-area=1,2,3,4
         email.postwell-data=00ff10)
expect("set" "${code}" 0)
run_tool(get ${printer} --offline pdf.open-zoom email.smtp-server cover-page.enable-cover-page
         pdf.document-owner-password page.crop-area email.postwell-data)
expect("get" "${out}" "pdf.open-zoom=150\nemail.smtp-server=mail.example.com\ncover-page.enable-cover-page=on\npdf.document-owner-password=set\npage.crop-area=1,2,3,4\nemail.postwell-data=00ff10\n")

run_tool(settings ${printer} --offline --json)
expect("settings" "${code}" 0)
string(FIND "${out}" "\"name\": \"pdf.open-zoom\",\n    \"value\": 150," found)
if(found EQUAL -1)
  message(FATAL_ERROR "settings --json lacks pdf.open-zoom = 150:\n${out}")
endif()
set(before "${out}")

foreach(refused "pdf.open-magnification=9" "pdf.no-such-setting=1" "page.crop-area=1,2" "pdf.open-zoom=150 email.smtp-server=x pdf.open-zoom=y")
  separate_arguments(assignments UNIX_COMMAND "${refused}")
  run_tool(set ${printer} --offline ${assignments})
  expect("set ${refused}" "${code}" 2)
endforeach()
run_tool(settings ${printer} --offline --json)
expect("settings after refusals" "${out}" "${before}")
