@echo off
rem qvInstallNewExe.bat - stand-in: would install the viewer program that came with an update.
>>"%QV_TMP%\standin.log" echo qvInstallNewExe.bat %*
