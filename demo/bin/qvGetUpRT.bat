@echo off
rem qvGetUpRT.bat - stand-in: would fetch the real-time data file %3.
rem Leaves its status words in getupRT.log; a file standin-getupRT.log in the scratch folder replaces them.
>>"%QV_TMP%\standin.log" echo qvGetUpRT.bat %*
if exist "%~2\standin-getupRT.log" (copy /y "%~2\standin-getupRT.log" "%~2\getupRT.log" >nul) else (
  echo TRYG>"%~2\getupRT.log"
  echo GOTG>>"%~2\getupRT.log"
  echo GOTN>>"%~2\getupRT.log"
)
