@echo off
rem qvKillCygwinX.bat - stand-in: would stop the X server and close the plot windows.
>>"%QV_TMP%\standin.log" echo qvKillCygwinX.bat %*
