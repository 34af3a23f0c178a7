@echo off
rem build.cmd - builds, tests and packages the project
rem usage: build.cmd [debug^|release] [clean]
:: Labels below are subroutines called with "call :name".
:: :not_a_label is only mentioned in this comment.

setlocal EnableExtensions EnableDelayedExpansion

set "CONFIG=release"
set "CLEAN=0"
set "ROOT=%~dp0"
set "OUT=%ROOT%out"
set "LOG=%OUT%\build.log"
set "ERRORS=0"

if /i "%~1"=="debug" set "CONFIG=debug"
if /i "%~1"=="release" set "CONFIG=release"
if /i "%~2"=="clean" set "CLEAN=1"
if /i "%~1"=="/?" goto :usage

call :main
goto :eof

:main
echo Building %CONFIG% in %OUT%
if "%CLEAN%"=="1" call :clean
call :prepare || goto :failed
call :compile || goto :failed
call :run_tests || goto :failed
call :package || goto :failed
echo Done: %ERRORS% errors.
exit /b 0

:usage
echo usage: %~nx0 [debug^|release] [clean]
echo.
echo   debug    build without optimisation
echo   release  build with optimisation (default)
echo   clean    remove the output folder first
exit /b 1

:clean
echo Removing %OUT%
if exist "%OUT%" rd /s /q "%OUT%"
exit /b 0

:prepare
if not exist "%OUT%" mkdir "%OUT%"
echo. > "%LOG%"
where cl >nul 2>&1
if errorlevel 1 (
    echo cl.exe not found; run from a developer prompt
    exit /b 1
)
call :log "prepared output folder"
exit /b 0

:compile
set "FLAGS=/nologo /W4 /EHsc"
if "%CONFIG%"=="debug" (
    set "FLAGS=!FLAGS! /Od /Zi"
) else (
    set "FLAGS=!FLAGS! /O2"
)
for %%F in ("%ROOT%src\*.cpp") do (
    call :compile_one "%%~fF"
    if errorlevel 1 set /a ERRORS+=1
)
if %ERRORS% gtr 0 exit /b 1
call :log "compiled with %FLAGS%"
exit /b 0

:compile_one
setlocal
set "SRC=%~1"
set "OBJ=%OUT%\%~n1.obj"
echo   %~nx1
cl %FLAGS% /c "%SRC%" /Fo"%OBJ%" >> "%LOG%" 2>&1
endlocal & exit /b %errorlevel%

:run_tests
set "PASSED=0"
set "FAILED=0"
for %%T in ("%OUT%\test_*.exe") do (
    "%%~fT" >> "%LOG%" 2>&1
    if errorlevel 1 (
        set /a FAILED+=1
        echo   FAILED: %%~nxT
    ) else (
        set /a PASSED+=1
    )
)
echo Tests: !PASSED! passed, !FAILED! failed
if !FAILED! gtr 0 exit /b 1
exit /b 0

:package
set "ZIP=%OUT%\app-%CONFIG%.zip"
if exist "%ZIP%" del "%ZIP%"
powershell -NoProfile -Command "Compress-Archive -Path '%OUT%\*.exe' -DestinationPath '%ZIP%'"
if errorlevel 1 exit /b 1
call :log "packaged %ZIP%"
exit /b 0

:log
rem writes a time-stamped line to the log
echo [%date% %time%] %~1>> "%LOG%"
exit /b 0

:failed
echo Build failed, see %LOG%
type "%LOG%" | findstr /i /c:"error" /c:": fatal"
exit /b 1

:: Helper kept for the nightly job.
:@nightly
call :clean
call :main
goto :eof

:version.check
for /f "tokens=2 delims==" %%V in ('findstr /b "VERSION=" "%ROOT%version.txt"') do set "VERSION=%%V"
if not defined VERSION (
    echo version.txt has no VERSION line
    exit /b 1
)
echo Version %VERSION%
exit /b 0

   :indented_label
echo labels may be indented
goto :eof

:bump
set /a BUILD_NUMBER+=1
echo build number !BUILD_NUMBER!
goto :eof

:list_sources
dir /b "%ROOT%src\*.cpp"
dir /b "%ROOT%src\*.h"
goto :eof

:show_env
echo CONFIG=%CONFIG%
echo ROOT=%ROOT%
echo OUT=%OUT%
goto :eof

:eof_marker
rem end of file
