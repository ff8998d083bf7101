@echo off
rem qvferret.bat - stand-in: runs the stand-in plotting program on one command file.
rem %1 installation folder, %2 scratch folder in quotes, %3 command file (in the scratch folder)
>>"%QV_TMP%\standin.log" echo qvferret.bat %*
set QV_DIR=%~1
set PATH=%~1\bin;%PATH%
cd /d %2
"%~1\bin\ferret.exe" %3
