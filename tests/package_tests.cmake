# The Debian package: package.build makes it with cpack in its own folder,
# then each package.<check> looks at one side of it (tests/package_check.sh
# says what each check looks for).
set(package_dir ${CMAKE_BINARY_DIR}/package-test)
set(package_check ${CMAKE_CURRENT_SOURCE_DIR}/package_check.sh)

add_test(NAME package.build
  COMMAND bash ${package_check} build ${package_dir} ${CMAKE_CPACK_COMMAND} ${CMAKE_BINARY_DIR}/CPackConfig.cmake
)
set_tests_properties(package.build PROPERTIES FIXTURES_SETUP capset_deb TIMEOUT 300)

foreach(check file-name files control depends desktop-entry mime-type icon starts)
  add_test(NAME package.${check}
    COMMAND bash ${package_check} ${check} ${package_dir} ${PROJECT_VERSION} ${PROJECT_SOURCE_DIR}
  )
  set_tests_properties(package.${check} PROPERTIES FIXTURES_REQUIRED capset_deb)
endforeach()
