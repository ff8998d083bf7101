@echo off
rem qvPS2jpg.bat - stand-in: turns <stem>.ps into <stem>.jpg (%3 is the stem).
>>"%QV_TMP%\standin.log" echo qvPS2jpg.bat %*
if exist "%~2\%3.ps" type "%~2\%3.ps" > "%~2\%3.jpg"
