@echo off
rem qvJnlrm.bat - stand-in clean-up at the viewer's end: removes the plotting command files.
>>"%QV_TMP%\standin.log" echo qvJnlrm.bat %*
del /q "%~2\qvferretin*.txt" 2>nul
