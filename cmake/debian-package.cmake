# The Debian package: cmake --build <dir> --target package writes quorvel_<version>_amd64.deb
# from the install rules (cmake/install.cmake) with CPack's DEB generator.

# The installed program is checked by lintian, which wants read-only relocations.
target_link_options(quorvel PRIVATE LINKER:-z,relro LINKER:-z,now)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Tamsira)
set(CPACK_PACKAGE_CONTACT "Tamsira <quorvel@tamsira.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "processor scheduling laboratory and exercises for OS courses")
set(CPACK_PACKAGE_DESCRIPTION
  "Quorvel is a small teaching tool for an operating-systems course. The student
types the arrival time and the burst time of five processes, chooses first
come, first served (FCFS) or non-preemptive shortest job first (SJF), and reads
every process's waiting time and turnaround time with their totals and
averages. The computation can be shown step by step, and the schedule can be
saved as a text report or printed.
.
Its scheduling laboratory follows the textbook model: any number of processes,
FCFS, SJF, SRTF, Round Robin, both priority policies and HRRN with idle time,
context-switch cost and named tie rules, each decision explained, every policy
compared, and a Gantt chart. Latihan makes exercises from short codes, checks a
student's answer and explains the first wrong decision; worksheets with answer
keys are written as PDF. The command-line solver quorvel-solve reads CSV
workloads and writes tables, CSV or JSON. The windows are in Indonesian.")

# Debian's file name: quorvel_1.0.0_amd64.deb.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.tamsira.example/quorvel/)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The linked libraries come from dpkg-shlibdeps. It cannot see what is only used at run time:
# the fonts the windows ask for, libcups (opened on the first printer query) and Qt's
# platform plugins, without which no window opens.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-wine, libcups2, qt6-qpa-plugins")

include(CPack)
