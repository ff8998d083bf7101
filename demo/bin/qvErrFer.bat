@echo off
rem qvErrFer.bat - stand-in: leaves the plotting program's status in ferreterror.log and starts
rem the checker on the scratch folder (%1, in quotes).
>>"%~1\standin.log" echo qvErrFer.bat %*
if exist "%~1\ferretstatus.txt" (copy /y "%~1\ferretstatus.txt" "%~1\ferreterror.log" >nul) else (echo NOSTATUS>"%~1\ferreterror.log")
if exist "%~dp0krastel.exe" start "" "%~dp0krastel.exe" %1
