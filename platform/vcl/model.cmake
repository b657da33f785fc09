# The UI model (pxq_vcl): components, published properties, controls, forms, the application
# object, the standard controls and form descriptions.
set(PXQ_VCL_DIR ${CMAKE_CURRENT_LIST_DIR})
set(PXQ_VCL_LIBS pxq_os)
if(TARGET pxq_vcl_data)
  list(APPEND PXQ_VCL_LIBS pxq_vcl_data)
endif()

pxq_library(pxq_vcl
  SOURCES ${PXQ_VCL_DIR}/properties.cpp ${PXQ_VCL_DIR}/classes.cpp ${PXQ_VCL_DIR}/component.cpp
          ${PXQ_VCL_DIR}/messages.cpp ${PXQ_VCL_DIR}/font.cpp ${PXQ_VCL_DIR}/control.cpp
          ${PXQ_VCL_DIR}/form.cpp ${PXQ_VCL_DIR}/application.cpp ${PXQ_VCL_DIR}/menus.cpp
          ${PXQ_VCL_DIR}/stdctrls.cpp ${PXQ_VCL_DIR}/form_description.cpp
          ${PXQ_VCL_DIR}/stdclasses.cpp ${PXQ_VCL_DIR}/input.cpp
          ${PXQ_VCL_DIR}/buttons.cpp ${PXQ_VCL_DIR}/extctrls.cpp ${PXQ_VCL_DIR}/pagecontrol.cpp
          ${PXQ_VCL_DIR}/listview.cpp ${PXQ_VCL_DIR}/toolbar.cpp ${PXQ_VCL_DIR}/spin.cpp
          ${PXQ_VCL_DIR}/grids.cpp ${PXQ_VCL_DIR}/dialogs.cpp
  LIBS ${PXQ_VCL_LIBS})

pxq_test(pxq_vcl_test
  SOURCES ${PXQ_VCL_DIR}/component_test.cpp ${PXQ_VCL_DIR}/properties_test.cpp
          ${PXQ_VCL_DIR}/form_test.cpp ${PXQ_VCL_DIR}/form_description_test.cpp
          ${PXQ_VCL_DIR}/stdctrls_test.cpp ${PXQ_VCL_DIR}/listview_test.cpp
          ${PXQ_VCL_DIR}/classes_test.cpp
  LIBS pxq_vcl pxq_testing)

pxq_fuzzer(fuzz_form_description SOURCES ${PXQ_VCL_DIR}/form_description_fuzz.cpp LIBS pxq_vcl)
