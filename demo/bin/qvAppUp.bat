@echo off
rem qvAppUp.bat - stand-in: runs the update script %3 (in the scratch folder) for month %4.
>>"%QV_TMP%\standin.log" echo qvAppUp.bat %*
set QV_DIR=%~1
cd /d %2
"%~1\bin\ferret.exe" "%~2%3"
