@echo off
rem qvAppUp.bat - stand-in: runs the update script %3 (in the scratch folder) for month %4, then
rem makes that month the last one of the stand-in's data sets.
>>"%QV_TMP%\standin.log" echo qvAppUp.bat %*
set QV_DIR=%~1
cd /d %2
"%~1\bin\ferret.exe" "%~2%3"
"%~1\bin\qvupdate.exe" appup %1 %2 %4
