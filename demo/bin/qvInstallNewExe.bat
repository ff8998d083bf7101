@echo off
rem qvInstallNewExe.bat - stand-in: would install the viewer program that came with an update once
rem the viewer that started it has ended; a pause of a second stands for that wait.
ping -n 2 127.0.0.1 >nul
>>"%QV_TMP%\standin.log" echo qvInstallNewExe.bat %*
